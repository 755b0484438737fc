#pragma once

// The progress interface is shared with the conversion engine; it lives in util/.
#include "util/progress.h"
