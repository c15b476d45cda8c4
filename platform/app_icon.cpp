#include "platform/app_icon.h"

#include "platform/app_icon.xpm"

wxIcon GetApplicationIcon()
{
    return wxIcon(orbivantelle_icon_xpm);
}
