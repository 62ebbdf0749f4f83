/* A library with one export, for the dynamic-library wrapper's test. */
int zorvik_test_answer(void) {
    return 42;
}
