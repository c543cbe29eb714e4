#include "checker/driver/RunChecker.h"

int main(int argc, char** argv) {
    return quillon::CheckerMain(argc, argv);
}
