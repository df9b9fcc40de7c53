#pragma once

#include <QIcon>

// The program's icon, src/app/lumvik.svg. For screens without scaling it comes as raw ARGB32
// pixels rendered from the SVG at build time, at the sizes the X11 window system is given for a
// scalable icon (16, 32, 64 and 128 pixels), in the very form Qt hands them to the window system:
// start-up then uses them in place, instead of loading Qt's SVG plugin and drawing the SVG four
// times or decoding four images. Scaled screens get the SVG itself. Needs a QGuiApplication.
QIcon programIcon();
