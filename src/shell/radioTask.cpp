#include "shell/radioTask.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QPointer>
#include <QThread>

#include <exception>
#include <thread>

namespace {

int depth = 0;

bool onGuiThread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Calls f on the GUI thread and waits for it.
template <typename F> void onGui(F&& f) {
    if (onGuiThread())
        f();
    else
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::forward<F>(f),
                                  Qt::BlockingQueuedConnection);
}

class marshalledMessages final : public MessagePresenter {
public:
    explicit marshalledMessages(MessagePresenter& gui) : target(gui) {}
    void show(const UserMessage& message) override {
        onGui([&] { target.show(message); });
    }
    MessageAnswer ask(const UserMessage& message, MessageButtons buttons) override {
        MessageAnswer answer = MessageAnswer::Cancel;
        onGui([&] { answer = target.ask(message, buttons); });
        return answer;
    }

private:
    MessagePresenter& target;
};

// Progress steps need no answer: they are posted and the worker goes on.
class marshalledProgress final : public ProgressSink {
public:
    marshalledProgress(ProgressSink& gui, QObject* guard) : target(gui), alive(guard) {}
    void setProgress(int percent, const std::string& text) override {
        post([this, percent, text] { target.setProgress(percent, text); });
    }
    void setGauge(int percent) override {
        post([this, percent] { target.setGauge(percent); });
    }

private:
    template <typename F> void post(F f) {
        QPointer<QObject> guard(alive);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, f] {
                if (guard)
                    f();
            },
            Qt::QueuedConnection);
    }
    ProgressSink& target;
    QObject* alive;
};

} // namespace

bool radioTask::running() {
    return depth > 0;
}

void radioTask::onGuiThread(const std::function<void()>& f) {
    onGui(f);
}

void radioTask::run(const work& job, MessagePresenter& guiMessages, ProgressSink& guiProgress) {
    // The guard object dies with this call, so steps still queued when the
    // sequence has ended are dropped.
    QObject guard;
    marshalledMessages messages(guiMessages);
    marshalledProgress progress(guiProgress, &guard);
    std::exception_ptr failure;
    QEventLoop loop;
    ++depth;
    std::thread worker([&] {
        try {
            job(messages, progress);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    // Steps posted just before the end reach the window before it goes.
    QCoreApplication::processEvents();
    --depth;
    if (failure)
        std::rethrow_exception(failure);
}
