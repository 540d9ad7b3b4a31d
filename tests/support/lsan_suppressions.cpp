// Caches the font library keeps for the life of the process are not leaks of ours.
extern "C" const char *__lsan_default_suppressions();
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
