#include "operations/radioCommands.h"

#include "link/LinkErrors.h"
#include "operations/currentDirectory.h"
#include "operations/radioOperationsMessages.h"
#include "operations/radioProgramAll.h"
#include "operations/radioStatusText.h"

#include <exception>

namespace {

constexpr std::uint8_t NARROWBANDING_REGION = 1;
constexpr int TUNING_RADIO_TYPES[] = {1, 2};

// Opens the command the same way for both sequences and guarantees the wait
// cursor is off whenever a message is shown or the command is left.
class commandRun {
public:
    commandRun(radioCommandContext& c) : context(c) {
        if (!context.programDirectory.empty())
            makeProgramDirectoryCurrent(context.programDirectory);
    }
    ~commandRun() { busy(false); }

    void openProgress(std::string_view title) {
        if (context.openProgress)
            context.openProgress(title,
                                 context.programDirectory + std::string(radioMessages::PROGRESS_PICTURE));
    }
    void busy(bool on) {
        if (on != isBusy && context.setBusy)
            context.setBusy(on);
        isBusy = on;
    }
    void show(const UserMessage& message) {
        busy(false);
        context.messages.show(message);
    }

private:
    radioCommandContext& context;
    bool isBusy = false;
};

bool acceptedForTuning(int radioType) {
    for (const int type : TUNING_RADIO_TYPES)
        if (radioType == type)
            return true;
    return false;
}

// What a read that went wrong, or found no valid point, leaves behind.
readCommandResult invalidRead(radioCommandContext& context, commandRun& run, readCommandOutcome outcome,
                              const UserMessage& message, int code) {
    context.storage.setSerialNumber(radioMessages::INVALID_SERIAL);
    context.progress.setGauge(100);
    run.show(message);
    context.state.radioRead = false;
    context.state.archiveLoaded = false;
    return {outcome, code, radioStatusText(context.storage)};
}

} // namespace

readCommandResult readRadioCommand(radioCommandContext& context) {
    commandRun run(context);
    run.openProgress(radioMessages::READ_PROGRESS_TITLE);
    run.busy(true);

    readRadioResult result;
    try {
        result = context.operations.readRadio(context.storage, context.progress);
    } catch (const CommunicationError&) {
        return invalidRead(context, run, readCommandOutcome::FAILED, radioMessages::READ_FAILED, 0);
    } catch (const CommError&) {
        return invalidRead(context, run, readCommandOutcome::FAILED, radioMessages::READ_FAILED, 0);
    } catch (...) {
        return invalidRead(context, run, readCommandOutcome::FAILED, radioMessages::READ_FAILED, 0);
    }

    // The regional ID is only known when the radio got past its power-up check.
    if (result.outcome != readRadioOutcome::POWER_UP_FAILURE &&
        context.storage.getRegionalID() == NARROWBANDING_REGION) {
        if (result.outcome == readRadioOutcome::NO_VALID_POINTS)
            context.progress.setGauge(100);
        run.show(radioMessages::NARROWBANDING_WARNING);
    }

    if (result.outcome == readRadioOutcome::NO_VALID_POINTS)
        return invalidRead(context, run, readCommandOutcome::INVALID_POINTS, radioMessages::INVALID_POINTS,
                           result.code);
    run.busy(false);

    if (result.outcome == readRadioOutcome::POWER_UP_FAILURE) {
        run.show(radioMessages::POWER_UP_ERROR);
        if (result.code == radioOperations::POWER_UP_HARDWARE_FAILURE)
            run.show(radioMessages::HARDWARE_FAILURE);
        return {readCommandOutcome::POWER_UP_FAILURE, result.code, std::nullopt};
    }

    context.state.radioRead = true;
    run.show(radioMessages::READ_SUCCESS);
    if (acceptedForTuning(context.storage.getRadioType())) {
        context.state.tuningAllowed = true;
    } else {
        run.show(radioMessages::NOT_SUITABLE_FOR_TUNING);
        context.state.tuningAllowed = false;
    }
    return {readCommandOutcome::READ, result.code, radioStatusText(context.storage)};
}

programCommandOutcome programRadioCommand(radioCommandContext& context) {
    commandRun run(context);
    if (context.messages.ask(radioMessages::PROGRAM_QUESTION, MessageButtons::OkCancel) != MessageAnswer::Ok)
        return programCommandOutcome::CANCELLED;
    run.openProgress(radioMessages::PROGRAM_PROGRESS_TITLE);
    run.busy(true);

    bool sameRadio = false;
    bool linkFailed = false;
    try {
        {
            const std::unique_ptr<radioConnection> connection = context.operations.connector().connect();
            sameRadio = radioOperations::verifySerialNo(context.storage, connection->protocol());
        }
        if (sameRadio) {
            radioProgramAll program(context.storage, context.operations, context.progress);
            program.programAll();
        }
    } catch (const CommunicationError&) {
        linkFailed = true;
    } catch (const CommError&) {
        linkFailed = true;
    } catch (...) {
        linkFailed = true;
    }
    if (linkFailed) {
        context.progress.setGauge(100);
        run.show(radioMessages::PROGRAM_ERROR);
        return programCommandOutcome::FAILED;
    }
    if (!sameRadio) {
        context.progress.setGauge(100);
        run.show(radioMessages::PROGRAM_SERIAL_MISMATCH);
        return programCommandOutcome::SERIAL_MISMATCH;
    }
    run.show(radioMessages::PROGRAM_SUCCESS);
    return programCommandOutcome::PROGRAMMED;
}
