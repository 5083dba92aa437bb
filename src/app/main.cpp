#include "headless/headless.h"

int main(int argc, char** argv) {
  return tlj::headless::Run(argc, argv);
}
