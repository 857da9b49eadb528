// The icons compiled into the program (veltra.qrc). The resource data sits in
// a static library, so it is registered explicitly before the first use.
#pragma once

void ensureShellResources();
