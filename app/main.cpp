#include "app/GameShell.h"

int main(int argc, char** argv) {
    return GameShell::Main(argc, argv);
}
