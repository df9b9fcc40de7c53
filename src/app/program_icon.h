#pragma once

#include <QIcon>

// The program's icon, src/app/lumvik.svg. For screens without scaling it comes as PNG images
// rendered from the SVG at build time, at the sizes the X11 window system is given for a
// scalable icon (16, 32, 64 and 128 pixels): start-up then decodes four small images instead of
// loading Qt's SVG plugin and drawing the SVG four times. Scaled screens get the SVG itself.
// Needs a QGuiApplication.
QIcon programIcon();
