#include "operations/archiveCommands.h"

#include "operations/archiveMessages.h"
#include "operations/radioOperationsMessages.h"
#include "operations/radioStatusText.h"

archiveLoadOutcome loadArchiveOnStart(fileModule& files, const std::filesystem::path& path,
                                      radioStorage& image, ApplicationState& state,
                                      MessagePresenter& messages) {
    archiveLoadOutcome outcome;
    outcome.confirmed = true;
    outcome.result = files.load(path, image, state, messages);
    // The UUID belongs to a radio on the line, which an archive does not name.
    image.setUUID(archiveMessages::RESET_UUID);
    if (state.archiveLoaded) {
        outcome.statusText = radioStatusText(image);
    } else {
        state.radioRead = false;
        image.setSerialNumber(archiveMessages::RESET_SERIAL);
        image.setModelNumber(archiveMessages::RESET_MODEL);
        outcome.statusText = std::string(radioMessages::NO_RADIO_STATUS);
    }
    return outcome;
}

archiveLoadOutcome loadArchiveFile(fileModule& files, const std::filesystem::path& path, radioStorage& image,
                                   ApplicationState& state, MessagePresenter& messages) {
    if (messages.ask(archiveMessages::INITIALIZE_QUESTION, MessageButtons::OkCancel) != MessageAnswer::Ok)
        return {};
    return loadArchiveOnStart(files, path, image, state, messages);
}

bool saveArchiveFile(fileModule& files, const std::filesystem::path& path, const radioStorage& image,
                     MessagePresenter& messages) {
    return files.save(path, image, messages);
}
