#include "app/GameShell.h"

int main() {
    return GameShell::Main();
}
