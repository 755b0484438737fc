#include "app/app_title.h"
