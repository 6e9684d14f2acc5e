#pragma once

class DisplayService;
class FileChecks;
class UserName;
class Shell;
class Registry;
class FontCatalog;
class CodePage;
class CommonDialog;
class Clipboard;
class KeyboardLocks;

// The operating-system services a window may call, handed down from the composition
// root (main(), or a test with fakes). The bundle owns nothing.
struct Services
{
    DisplayService *display = nullptr;
    FileChecks *fileChecks = nullptr;
    UserName *userName = nullptr;
    Shell *shell = nullptr;
    Registry *registry = nullptr;
    FontCatalog *fonts = nullptr;
    CodePage *codePage = nullptr;
    CommonDialog *dialog = nullptr;
    Clipboard *clipboard = nullptr;
    KeyboardLocks *keyboardLocks = nullptr;
};
