#pragma once

class QWidget;

// Prints the wall-clock time of the widget's first paint (microseconds since the epoch) and the
// process's peak resident memory (kB), then quits the application.
void reportFirstPaintAndQuit(QWidget& widget);
