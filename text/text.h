#pragma once

// The whole text subsystem.
#include "text/codepage.h"
#include "text/decipher.h"
#include "text/markers.h"
#include "text/primitives.h"
#include "text/text_type.h"
