#include "shell/shellResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must not be used inside a namespace.
static void initVeltraResources() {
    Q_INIT_RESOURCE(veltra);
}

void ensureShellResources() {
    static const bool done = (initVeltraResources(), true);
    (void)done;
}
