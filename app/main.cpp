#include "app/GameShell.h"

int main(int argc, char** argv) {
    return vantor::app::GameShell::Main(argc, argv);
}
