#include "CommandLine.h"
#include "Textpull.h"

int main(int argc, char** argv) {
    return textpull::RunTextpull(textpull::CommandTail(argc, argv));
}
