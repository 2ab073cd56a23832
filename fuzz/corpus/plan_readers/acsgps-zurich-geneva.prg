TRA
TRA
E 08* 26.22m
N 47* 41.35m

LSGG
Geneva
E 06* 06.54m
N 46* 14.28m

