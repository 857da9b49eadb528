// Runs a long radio sequence (Read Radio, Program All) on a worker thread so
// that the window keeps repainting and the gauge moves while the serial line
// is waited on. The caller's thread (the GUI thread) keeps processing events
// until the sequence ends, then run() returns, so a command reads like the
// synchronous steps it is. Every message and progress step of the sequence
// is carried over to the GUI thread; a message blocks the worker until the
// user has answered it.
#pragma once

#include "operations/UserMessage.h"

#include <functional>

class radioTask {
public:
    using work = std::function<void(MessagePresenter& messages, ProgressSink& progress)>;

    // guiMessages and guiProgress are used on the GUI thread only. An
    // exception of the work is raised again here.
    static void run(const work& job, MessagePresenter& guiMessages, ProgressSink& guiProgress);

    // Calls f on the GUI thread and waits until it has run (from the worker;
    // on the GUI thread f simply runs).
    static void onGuiThread(const std::function<void()>& f);

    // True while a sequence runs (the main window's commands are then disabled).
    static bool running();
};
