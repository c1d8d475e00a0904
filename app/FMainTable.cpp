// The main window's handlers for: Keyword entry, list import, sorting, check marks and export.
// They read the window and call the subsystem, which holds the logic.
#include "app/FMain.h"

#include "app/core/Paths.h"
#include "app/ui/ModalGate.h"
#include "app/ui/QtText.h"
#include "table/ColumnSort.h"
#include "table/FAddKeywords.h"
#include "table/FMainKeyword.h"
#include "table/KeywordImport.h"
#include "table/ResultsFile.h"
#include "table/core/CsvExport.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace tw {

void TfrmMain::btnMainKeywordClick() {
    TfrmMainKeyword dialog(this);
    if (ModalGate::Exec(dialog) != QDialog::Accepted)
        return;
    MainKeyword = FromQ(dialog.edtMainKeyword->text());
    bsSkinStatusPanel1->setText(ToQ("Main Keyword: " + MainKeyword));
    MainStatusPanel->setText(QString());
}

void TfrmMain::btnAddKeywordClick() {
    TfrmAddKeywords dialog(this);
    if (ModalGate::Exec(dialog) != QDialog::Accepted)
        return;
    const std::string keyword = FromQ(dialog.edtAddKeyword->text());
    if (!keyword.empty()) {
        Items.AddKeywordRow(static_cast<long long>(Items.RowCount()) + 1, keyword, {});
        UpdateRowCount(rcItemsListed);
    } else {
        ImportKeywordFile(FromQ(dialog.edtList->text()));
    }
}

void TfrmMain::ImportKeywordFile(const std::string& path) {
    const ImportOutcome outcome = ImportKeywordList(Items, path);
    if (outcome.status == ImportOutcome::Unreadable) {
        msgMain.Show(UnreadableFileMessage(path, outcome.error));
        return;
    }
    // Nothing paints between the rows of one import, so the count text is
    // written once, as it stands after the last row; an empty file keeps it.
    if (outcome.status == ImportOutcome::Imported && outcome.lines > 0)
        UpdateRowCount(rcTotal);
}

void TfrmMain::lvwItemsColumnClick(int column) {
    if (column == SortColumn)
        SortAscending = !SortAscending;
    else
        SortColumn = column;
    SortByColumn(Items, column, SortAscending);
}

void TfrmMain::bsSkinButton1Click() {
    Items.SetAllChecked(true);
}

void TfrmMain::bsSkinButton2Click() {
    Items.SetAllChecked(false);
}

void TfrmMain::bsSkinButton3Click() {
    if (msgMain.Show("Are you sure do you want to delete the selected keywords?", mbOkCancel) == mrOk)
        Items.DeleteCheckedRows();
    UpdateRowCount(rcItemsListed);
}

void TfrmMain::bsSkinButton4Click() {
    if (msgMain.Show("Are you sure do you want to delete all?", mbOkCancel) == mrOk)
        Items.ClearRows();
    UpdateRowCount(rcItemsListed);
}

void TfrmMain::btnSaveResultsClick() {
    SaveResults();
}

void TfrmMain::SaveResults() {
    if (Items.RowCount() == 0) {
        msgMain.Show("You don't have any data to save.");
        return;
    }
    FileDialogRequest request;
    request.kind = FileDialogRequest::Save;
    request.title = bsSkinSaveDialog1.title;
    request.filter = bsSkinSaveDialog1.filter;
    if (bsSkinSaveDialog1.lastPath.empty()) {
        request.folder = ProgramFolder();
    } else {
        request.folder = FolderPart(bsSkinSaveDialog1.lastPath);
        request.fileName = FromQ(QFileInfo(ToQ(bsSkinSaveDialog1.lastPath)).fileName());
    }
    const auto chosen = RunFileDialog(request);
    if (!chosen)
        return;
    const std::string path = WithCsvExtension(*chosen);
    bsSkinSaveDialog1.lastPath = path;
    const SaveOutcome saved = SaveResultsFile(Items, path);
    if (!saved.ok)
        msgMain.Show(SaveFailedMessage(path, saved.error));
}

} // namespace tw
