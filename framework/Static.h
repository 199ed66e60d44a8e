// CStatic: a static text control.
#pragma once

#include "framework/Window.h"

class CStatic : public CWindow {};
