// The least a statically linked C++ program does: start and exit.
int main() {
    return 0;
}
