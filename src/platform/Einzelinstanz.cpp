#include "platform/Einzelinstanz.h"
