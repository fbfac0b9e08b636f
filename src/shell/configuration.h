#pragma once

#include <QString>

namespace tessera {

class Context;

// Creates parent/t_users with its admin and books folders and the four empty
// registers. An existing t_users is accepted unchanged. False when the folder
// cannot be made; a register that cannot be created is error 9 (fatal).
bool createUsersFolder(Context& ctx, const QString& parent);

// Adds this computer to computers.dat unless it is there already (error 8 on failure).
bool registerThisComputer(Context& ctx);

// Creates the "Admin" account in the users folder unless it exists.
bool ensureAdministrator(Context& ctx);

} // namespace tessera
