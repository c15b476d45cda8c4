#include "shell/orbivant_app.h"

wxIMPLEMENT_APP(OrbivantApp);
