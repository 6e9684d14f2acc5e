#pragma once

class DisplayService;
class FileChecks;
class UserName;
class Shell;

// The operating-system services a window may call, handed down from the composition
// root (main(), or a test with fakes). The bundle owns nothing.
struct Services
{
    DisplayService *display = nullptr;
    FileChecks *fileChecks = nullptr;
    UserName *userName = nullptr;
    Shell *shell = nullptr;
};
