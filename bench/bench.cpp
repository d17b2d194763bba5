// Prints one line per figure: name value unit.
int main() { return 0; }
