#pragma once
// After the login: who works at which cash desk, and the shared lists opened for the run.

#include <optional>

namespace zur::data {
class TDM_Smeta;
struct SessionContext;
}  // namespace zur::data

namespace zur::session {

// Two switches of the main window read from the settings table; empty: keep the designed state.
struct SessionSwitches {
    std::optional<bool> orderEditReadOnly;      // setting 34
    std::optional<bool> expenseFacultyVisible;  // setting 40
};

// Fills `context` (the login and the user id are already set) and opens the shared lists of
// `dm`. Database errors propagate (DbError); values set before the failing step stay.
SessionSwitches load_session_context(data::TDM_Smeta& dm, data::SessionContext& context);

}  // namespace zur::session
