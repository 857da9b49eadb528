// The 25 x 25 pictures of the "PTT Toggle" and "Program" buttons, drawn
// rather than shipped so that the screens need no picture files.
#pragma once

#include <QIcon>

QIcon pttPicture();
QIcon programPicture();
