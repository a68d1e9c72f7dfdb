// Stands first on the include path of the portable sources in the Windows build: portable code reaches the
// system through the ports in src/platform/, and a Win32 view belongs in a *_win.cpp file.
#error "portable code includes no Win32 header: move this code into a *_win.cpp file or behind a port"
