#include "utilities/basebandUpdateCommand.h"

#include "link/LinkErrors.h"
#include "model/radioMemory.h"
#include "operations/bboConfigFileModule.h"
#include "operations/radioConnection.h"
#include "operations/radioOperations.h"
#include "screens/ScreenTexts.h"
#include "shell/TVeltraMDIClient.h"
#include "utilities/TBasebandUpdateWindow.h"

#include <memory>

namespace {

// Radio memory behind a connection that is opened on the first read.
class connectOnFirstRead final : public radioMemory {
public:
    explicit connectOnFirstRead(radioConnector& c) : connector(c) {}

    void read(std::uint32_t address, std::span<std::uint8_t> dest) override { memory().read(address, dest); }
    void write(std::uint32_t address, std::span<const std::uint8_t> source) override {
        memory().write(address, source);
    }

private:
    radioMemory& memory() {
        if (!connection) {
            connection = connector.connect();
            sbep = std::make_unique<sbepRadioMemory>(connection->protocol());
        }
        return *sbep;
    }

    radioConnector& connector;
    std::unique_ptr<radioConnection> connection;
    std::unique_ptr<sbepRadioMemory> sbep;
};

} // namespace

bool prepareBasebandUpdate(bboConfigFileModule& module, const std::string& programDirectory,
                           const ScreenContext& context) {
    connectOnFirstRead memory(context.operations.connector());
    const bboPrepareResult result = module.prepare(programDirectory, context.image, memory);
    if (result.status == bboPrepareStatus::PORT_IN_USE)
        context.presenter.show(screenTexts::PORT_IN_USE);
    else if (const auto message = bboConfigFileModule::messageFor(result))
        context.presenter.show(*message);
    return result.ok();
}

void openBasebandUpdate(TVeltraMDIClient& client, const commandRow& row) {
    const ScreenContext context = client.screenContext();
    bboConfigFileModule& module = client.bboConfig();
    const std::string directory = client.programDirectory();
    if (!prepareBasebandUpdate(module, directory, context))
        return;
    auto* window = new TBasebandUpdateWindow(
        &client, context, QString::fromUtf8(row.title),
        [&module, directory, context] { return prepareBasebandUpdate(module, directory, context); });
    if (!window->open()) {
        delete window;
        return;
    }
    client.showScreen(window, QString::fromUtf8(row.caption));
}
