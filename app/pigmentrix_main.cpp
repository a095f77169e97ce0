#include "picker/start_sequence.h"

int main(int argc, char **argv)
{
    return pigmentrix::RunPicker(argc, argv);
}
