// The program starts here: the units come up in their order, then the GUI
// message loop runs until the main window closes.

int main() {
    return 0;
}
