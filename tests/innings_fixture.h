// The innings fixture now lives with the other shared set-ups.
#pragma once
#include "fixtures.h"
