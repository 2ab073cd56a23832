LSGG
Geneva
E 06* 06.54m
N 46* 14.28m

