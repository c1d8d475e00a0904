#include "table/KeywordTableModel.h"

#include "app/ui/QtText.h"

namespace tw {

KeywordTableModel::KeywordTableModel(KeywordTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    table_.SetListener(this);
}

KeywordTableModel::~KeywordTableModel() {
    table_.SetListener(nullptr);
}

int KeywordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.RowCount();
}

int KeywordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.ColumnCount();
}

QVariant KeywordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= table_.RowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return ToQ(table_.GetCell(index.row(), index.column()));
    case Qt::CheckStateRole:
        if (index.column() == 0)
            return table_.IsRowChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool KeywordTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 0 || index.row() >= table_.RowCount())
        return false;
    if (role == Qt::CheckStateRole) {
        table_.SetRowChecked(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (role == Qt::EditRole) {
        // The in-place edit of the first column becomes the row's No.
        table_.SetCell(index.row(), 0, FromQ(value.toString()));
        return true;
    }
    return false;
}

QVariant KeywordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < table_.ColumnCount())
        return ToQ(KeywordTable::ColumnCaption(section));
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags KeywordTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0)
        f |= Qt::ItemIsUserCheckable | Qt::ItemIsEditable;
    return f;
}

void KeywordTableModel::BeforeInsert(int first, int last) {
    beginInsertRows({}, first, last);
}
void KeywordTableModel::AfterInsert() {
    endInsertRows();
}
void KeywordTableModel::BeforeRemove(int first, int last) {
    beginRemoveRows({}, first, last);
}
void KeywordTableModel::AfterRemove() {
    endRemoveRows();
}
void KeywordTableModel::BeforeReset() {
    beginResetModel();
}
void KeywordTableModel::AfterReset() {
    endResetModel();
}

void KeywordTableModel::CellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    emit dataChanged(index(firstRow, firstColumn), index(lastRow, lastColumn));
}

void KeywordTableModel::BeforeReorder() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    persistentBeforeReorder_ = persistentIndexList();
}

void KeywordTableModel::AfterReorder(const std::vector<int>& newPositionOf) {
    QModelIndexList to;
    to.reserve(persistentBeforeReorder_.size());
    for (const QModelIndex& i : persistentBeforeReorder_)
        to.append(index(newPositionOf[static_cast<std::size_t>(i.row())], i.column()));
    changePersistentIndexList(persistentBeforeReorder_, to);
    persistentBeforeReorder_.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace tw
