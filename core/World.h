#pragma once

namespace kx {

class Game;

// Fills the login-name and password pools a new game's servers draw from.
void FillWordPools(Game& game);
// Draws the 100 servers of a day: addresses, logins, vulnerabilities, limits.
void GenerateServers(Game& game);

} // namespace kx
