/* Resource identifiers shared by launcher.rc and the program's code. */
#ifndef LAUNCHER_RESOURCE_IDS_H
#define LAUNCHER_RESOURCE_IDS_H

#define IDI_LAUNCHER 1
#define IDC_LINK_HAND 2
#define IDR_BANNER 3

#endif
