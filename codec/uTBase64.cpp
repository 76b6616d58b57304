#include "uTBase64.h"
