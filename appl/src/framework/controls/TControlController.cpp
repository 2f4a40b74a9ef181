#include "controls/TControlController.h"

TControlController::~TControlController() = default;
