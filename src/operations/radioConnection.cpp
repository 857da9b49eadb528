#include "operations/radioConnection.h"

#include "link/cominit.h"

namespace {

class cominitConnection final : public radioConnection {
public:
    EnhancedSBEP& protocol() override { return connection.protocol(); }

private:
    cominit connection;
};

} // namespace

std::unique_ptr<radioConnection> comPortConnector::connect() {
    return std::make_unique<cominitConnection>();
}
