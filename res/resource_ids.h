// Resource ids of the program's images, shared by the resource script and the code.
#pragma once

#define IDI_PROGRAM 1           // the program's icon (the tray icon file)
#define IDR_TRAY_ICON 101       // the same icon file as raw bytes, for the tray
#define IDR_TOOLBAR_IMAGES 102  // 8 images of 50 x 50
#define IDR_PAGE_ICONS 103      // 3 images of 18 x 18
#define IDR_STATUS_ICON 104     // 1 image of 16 x 15
#define IDR_ADVERT 105          // the built-in advertisement picture, 168 x 88
