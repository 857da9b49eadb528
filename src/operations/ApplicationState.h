// The state flags that decide which commands a technician may use. One object
// per application, owned next to the radio image; the read, program and
// archive commands change it, the menu rules and screens read it.
#pragma once

struct ApplicationState {
    bool radioRead = false;     // the image holds a complete read of the radio on the line
    bool archiveLoaded = false; // the image was filled from a softpot archive
    bool tuningAllowed = false; // the radio's tuning procedure version is one we know
    int openScreenId = 0;       // the one tuning screen now open, 0 when none
    bool setupPictureOpen = false;

    bool dataPresent() const { return radioRead || archiveLoaded; }
};
