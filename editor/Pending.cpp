// Temporary definitions of what is not built yet; each is removed when it is implemented.
#include "editor/Editor.h"

