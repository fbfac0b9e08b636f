#pragma once

#include <QColor>
#include <QString>

class QMainWindow;
class QToolBar;
class QWidget;

namespace tessera {

struct Settings;

// bars.dat: where each toolbar of the window is docked or floating, its row,
// position and visibility, as INI text around the window's own saved state.
// False when the file cannot be written or does not restore; the callers
// ignore that, since a lost layout only puts the bars back where they start.
bool saveBarsLayout(QMainWindow& window, const QString& path);
bool loadBarsLayout(QMainWindow& window, const QString& path);

// The main window's placement as user.dat keeps it: recordWindowPlacement
// notes whether the window is maximised now and its normal rectangle, before
// the preferences are written; restoreWindowPlacement puts a window that does
// not start maximised at the stored rectangle, brought onto a screen when the
// screen it was on is gone.
void recordWindowPlacement(const QMainWindow& window, Settings& s);
void restoreWindowPlacement(QMainWindow& window, const Settings& s);

// The colour of a window: the area around the desk of the main window, the
// background of a dialog.
void applyWindowColour(QWidget& window, const QColor& colour);
QColor windowColour(const QWidget& window);

// The opacity 0..255 of every toolbar of the window. Docked bars are drawn as
// part of the window; the opacity shows on the bars that float.
void applyBarTransparency(QWidget& window, int alpha);
int barTransparency(const QToolBar& bar);

} // namespace tessera
