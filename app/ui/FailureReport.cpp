#include "app/ui/FailureReport.h"

#include "app/ui/QtText.h"

#include <QMessageBox>
#include <cstdio>
#include <exception>

namespace tw {

namespace {
std::vector<FailureReport::Entry> gEntries;
std::function<void(const FailureReport::Entry&)> gPresenter;
std::function<void()> gOnDone;
int gRunning = 0;

void ShowReport(const FailureReport::Entry& entry) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Failure report"),
                    QStringLiteral("The action could not be completed:\n\n%1").arg(ToQ(entry.what)));
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(QStringLiteral("In: %1").arg(ToQ(entry.where)));
    box.exec();
}
} // namespace

void FailureReport::Report(const std::string& where, const std::string& what) {
    Entry entry{where, what};
    std::fprintf(stderr, "tarnwick: failure in %s: %s\n", where.c_str(), what.c_str());
    gEntries.push_back(entry);
    if (gPresenter)
        gPresenter(entry);
    else
        ShowReport(entry);
}

const std::vector<FailureReport::Entry>& FailureReport::Entries() {
    return gEntries;
}
void FailureReport::SetPresenter(std::function<void(const Entry&)> presenter) {
    gPresenter = std::move(presenter);
}
void FailureReport::Reset() {
    gEntries.clear();
}

void RunHandler(const char* name, const std::function<void()>& body) {
    ++gRunning;
    try {
        body();
    } catch (const std::exception& e) {
        FailureReport::Report(name, e.what());
    } catch (...) {
        FailureReport::Report(name, "unknown failure");
    }
    if (--gRunning == 0 && gOnDone)
        gOnDone();
}

int HandlersRunning() {
    return gRunning;
}
void SetOnHandlersDone(std::function<void()> callback) {
    gOnDone = std::move(callback);
}

} // namespace tw
