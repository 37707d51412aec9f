// The program of a layer's link check: it links every object of one layer's library and the
// layers below it, so the link fails on any use of a higher layer. It is never run.
int main() { return 0; }
