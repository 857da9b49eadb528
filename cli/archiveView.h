// What `veltra-cli show` prints of a loaded archive: the identity, the
// frequency points, and every softpot group with each point's frequency.
#pragma once

#include "model/radioStorage.h"

#include <iosfwd>
#include <string>

void printArchiveText(std::ostream& out, const radioStorage& image, const std::string& file);
void printArchiveJson(std::ostream& out, const radioStorage& image, const std::string& file);

// Serial, model, UUID, regional ID, IC version and radio type, one a line.
void printRadioIdentity(std::ostream& out, const radioStorage& image);
