#include "TInfoGene.h"
