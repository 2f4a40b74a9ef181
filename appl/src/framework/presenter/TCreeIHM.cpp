#include "presenter/TCreeIHM.h"

TCreeIHM::~TCreeIHM() = default;
