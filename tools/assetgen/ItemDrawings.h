// One function for each picture in the shop's list, each drawing into the square from (0, 0)
// to (48, 48) with antialiasing already on.
#pragma once

class QPainter;

namespace kx::art {

// Money and information: the accounts, the tip, and the crate for an item the shop does not know.
void drawUnknownCrate(QPainter& p);
void drawForwardingAccount(QPainter& p);
void drawHoldingAccount(QPainter& p);
void drawTip(QPainter& p);

// Machines and lines.
void drawHighSpeedModem(QPainter& p);
void drawRollOverBox(QPainter& p);
void drawNewComputer(QPainter& p);
void drawT1Connection(QPainter& p);
void drawIpRouter(QPainter& p);

// Programs that guard or watch the connection.
void drawAntiVirus(QPainter& p);
void drawConnectionMonitor(QPainter& p);
void drawConnectionShadower(QPainter& p);

}
