// Keeps the resource library non-empty; the compiled-in resources are
// registered by their own generated files.
namespace dayloom::res {
int anchor = 0;
}
