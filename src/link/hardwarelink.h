#pragma once

#include "link/controllerlink.h"
#include "link/parameterreply.h"
#include "model/workspace.h"

#include <optional>

namespace lumetra {

// The card commands of the hardware configuration: screen parameters out,
// parameters read back, and the two link tests.
class HardwareLink
{
public:
    // SendDispScreenSet: the display's parameters with the power and
    // brightness bytes of WorkingSettings.
    static CommandOutcome SendDispScreenSet(ControllerLink &link, WorkspaceState &state);

    // Reads the parameters of the card at the display's address (B and C
    // only); on an answer the display record holds them and values is set.
    static CommandOutcome readParameters(ControllerLink &link, WorkspaceState &state,
                                         std::optional<ParameterValues> &values);

    // SendTest and the communication test on the test address; an answered
    // test carries the message the dialog shows for it.
    static CommandOutcome SendTest(ControllerLink &link, WorkspaceState &state);
    static CommandOutcome communicationTest(ControllerLink &link, WorkspaceState &state);

    // Item index of a card address in the address lists (129 = "所有卡").
    static int addressIndex(int32_t cardAddress);
};

} // namespace lumetra
