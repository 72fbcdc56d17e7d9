#include "ChildFrame.h"

CChildFrame::CChildFrame() : CMdiChildFrame(132, QIcon(":/images/generalnotes.png")) {}
