// Tests of the flipflops family.
