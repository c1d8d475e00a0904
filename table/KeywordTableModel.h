#pragma once

#include "table/core/KeywordTable.h"

#include <QAbstractTableModel>

namespace tw {

// Shows a KeywordTable in a view. The table stays the one owner of the rows;
// this adapter only translates its notifications and answers the view.
class KeywordTableModel : public QAbstractTableModel, private KeywordTableListener {
    Q_OBJECT
public:
    explicit KeywordTableModel(KeywordTable& table, QObject* parent = nullptr);
    ~KeywordTableModel() override;

    KeywordTable& Table() { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void BeforeInsert(int first, int last) override;
    void AfterInsert() override;
    void BeforeRemove(int first, int last) override;
    void AfterRemove() override;
    void BeforeReset() override;
    void AfterReset() override;
    void CellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn) override;
    void BeforeReorder() override;
    void AfterReorder(const std::vector<int>& newPositionOf) override;

    KeywordTable& table_;
    QModelIndexList persistentBeforeReorder_;
};

} // namespace tw
