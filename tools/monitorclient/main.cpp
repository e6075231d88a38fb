// A lane monitor client for trying the program and for the tests.
int main() { return 0; }
