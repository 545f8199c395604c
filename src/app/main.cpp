// brelloch: the game. It has no command-line options; it runs from the folder that holds base/.
#include "app/app.h"

int main() { return GameMain(); }
