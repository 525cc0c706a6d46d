// Built, never run: the rules' every object linked whole against Qt Core alone (see CMakeLists.txt), so
// that one which needs more of Qt fails the build.
int main() { return 0; }
