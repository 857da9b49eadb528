// Read Radio and Program All: the command runs on a worker thread; the
// progress window, the wait cursor and every message are handled on the GUI
// thread, which keeps repainting meanwhile.
#include "shell/TVeltraMDIClient.h"

#include "operations/radioCommands.h"
#include "shell/TProgressWindow.h"
#include "shell/radioTask.h"

#include <QApplication>

namespace {

// The progress window of one command, opened when the command asks for it.
class progressHolder final : public ProgressSink {
public:
    explicit progressHolder(QWidget* parent) : parent(parent) {}
    ~progressHolder() override { setBusy(false); }

    void open(std::string_view title, const std::string& picture) {
        window = std::make_unique<TProgressWindow>(
            parent, QString::fromStdString(picture),
            QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
        window->show();
    }
    void setProgress(int percent, const std::string& text) override {
        if (window)
            window->setProgress(percent, text);
    }
    void setGauge(int percent) override {
        if (window)
            window->setGauge(percent);
    }
    void setBusy(bool on) {
        if (on && !cursor) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            cursor = true;
        } else if (!on && cursor) {
            QApplication::restoreOverrideCursor();
            cursor = false;
        }
    }
    void finish() {
        setBusy(false);
        window.reset();
    }

private:
    QWidget* parent;
    std::unique_ptr<TProgressWindow> window;
    bool cursor = false;
};

} // namespace

void TVeltraMDIClient::readRadio() {
    if (busy())
        return;
    progressHolder holder(window());
    readCommandResult result;
    emit commandsChanged();
    radioTask::run(
        [&](MessagePresenter& messages, ProgressSink& progress) {
            radioCommandContext context{storage, appState, *ops, messages, progress, programDir, {}, {}};
            context.openProgress = [&](std::string_view title, const std::string& picture) {
                radioTask::onGuiThread([&] { holder.open(title, picture); });
            };
            context.setBusy = [&](bool on) { radioTask::onGuiThread([&] { holder.setBusy(on); }); };
            result = readRadioCommand(context);
        },
        ui.messages, holder);
    holder.finish();
    if (result.statusText)
        setStatusText(QString::fromStdString(*result.statusText));
    emit commandsChanged();
}

void TVeltraMDIClient::programAll() {
    if (busy())
        return;
    progressHolder holder(window());
    emit commandsChanged();
    radioTask::run(
        [&](MessagePresenter& messages, ProgressSink& progress) {
            radioCommandContext context{storage, appState, *ops, messages, progress, programDir, {}, {}};
            context.openProgress = [&](std::string_view title, const std::string& picture) {
                radioTask::onGuiThread([&] { holder.open(title, picture); });
            };
            context.setBusy = [&](bool on) { radioTask::onGuiThread([&] { holder.setBusy(on); }); };
            programRadioCommand(context);
        },
        ui.messages, holder);
    holder.finish();
    emit commandsChanged();
}
